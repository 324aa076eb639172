// The dialogs of the backups, the comparison and the transfer options,
// driven with keys and clicks on the real widgets, headless. With
// XTR_SHOTS_DIR set their pictures are also written there as PNG files.
#include "qt_app.h"

#include "settings/difference_rows.h"
#include "ui/backup_picker_dialog.h"
#include "ui/comparison_dialog.h"
#include "ui/transfer_options_dialog.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace xtr::test {
namespace {

void Shoot(QWidget* window, const char* name)
{
    const QString dir = qEnvironmentVariable("XTR_SHOTS_DIR");
    if (!dir.isEmpty()) {
        window->grab().toImage().save(dir + "/15-" + name + ".png");
    }
}

const QStringList kOptionTexts = {"Transfer Options",
                                  "&Keep a backup of every read and of the radio's contents before each write",
                                  "Backup &folder (empty for the standard one):",
                                  "&Check the radio after each write (read back and compare)",
                                  "&Record every transfer in a trace file",
                                  "&Trace file:",
                                  "&Browse...",
                                  "OK",
                                  "Cancel",
                                  "Choose the backup folder",
                                  "Choose the trace file",
                                  "Trace files (*.txt)|*.txt"};

TEST(TransferOptionsDialog, ShowsTheSettingsAndGivesBackWhatWasChanged)
{
    QtApp();
    TransferSettings start;
    start.backupFolder = "/srv/backups";
    ui::TransferOptionsDialog dialog(nullptr, kOptionTexts, start);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog, 5000));
    Shoot(&dialog, "transfer-options");
    EXPECT_EQ(dialog.windowTitle(), "Transfer Options");
    EXPECT_TRUE(dialog.BackupsBox()->isChecked());
    EXPECT_EQ(dialog.FolderEdit()->text(), "/srv/backups");
    EXPECT_FALSE(dialog.TraceFileEdit()->isEnabled());
    EXPECT_EQ(dialog.BackupsBox()->accessibleName(),
              "Keep a backup of every read and of the radio's contents before each write");
    EXPECT_EQ(dialog.Settings(), start);

    // Backups off: their folder cannot be edited, and is kept as it was.
    QTest::mouseClick(dialog.BackupsBox(), Qt::LeftButton);
    EXPECT_FALSE(dialog.FolderEdit()->isEnabled());
    QTest::mouseClick(dialog.VerifyBox(), Qt::LeftButton);
    const TransferSettings changed = dialog.Settings();
    EXPECT_FALSE(changed.backups);
    EXPECT_FALSE(changed.verify);
    EXPECT_EQ(changed.backupFolder, "/srv/backups");
}

TEST(TransferOptionsDialog, ATraceWithoutAFileCannotBeTaken)
{
    QtApp();
    ui::TransferOptionsDialog dialog(nullptr, kOptionTexts, TransferSettings{});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog, 5000));
    dialog.TraceBox()->setFocus();
    QTest::keyClick(dialog.TraceBox(), Qt::Key_Space);
    EXPECT_TRUE(dialog.TraceFileEdit()->isEnabled());
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.TraceFileEdit()->setFocus();
    QTest::keyClicks(dialog.TraceFileEdit(), "   ");
    EXPECT_FALSE(dialog.OkButton()->isEnabled());  // blanks are no file
    QTest::keyClicks(dialog.TraceFileEdit(), "trace.txt");
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Settings().trace);
    EXPECT_EQ(dialog.Settings().traceFile, "trace.txt");
}

TEST(BackupPickerDialog, OpensTheChosenBackupAndCancelTakesNone)
{
    QtApp();
    const QStringList texts = {"Restore from Backup", "The radio's backups, newest first:", "Open", "Cancel"};
    const QStringList items = {"2026-12-08 07:10:00   026-02-736333", "2026-12-07 16:45:12   026-02-736333",
                               "2026-12-01 09:00:00   026-02-736333"};
    {
        ui::BackupPickerDialog dialog(nullptr, texts, items);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog, 5000));
        EXPECT_EQ(dialog.Chosen(), 0);  // the newest is offered first
        dialog.List()->setFocus();
        QTest::keyClick(dialog.List(), Qt::Key_Down);
        EXPECT_EQ(dialog.Chosen(), 1);
        QTest::mouseClick(dialog.OpenButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Chosen(), 1);
    }
    {
        ui::BackupPickerDialog dialog(nullptr, texts, items);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog, 5000));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    {
        ui::BackupPickerDialog dialog(nullptr, texts, {});
        EXPECT_FALSE(dialog.OpenButton()->isEnabled());
        EXPECT_EQ(dialog.Chosen(), -1);
    }
}

TEST(ComparisonDialog, ListsEachSettingWithItsPageAndBothTexts)
{
    QtApp();
    const QStringList texts = {"Compare with %1", "The settings that differ between the document and %1:",
                               "Page", "Setting", "This document", "%1", "Close"};
    SettingDifference comment;
    comment.page = "Common settings";
    comment.ref.cellId = CL_Comm_CloneComment1;
    comment.label = "Clone comment 1";
    comment.textA = "FLEET 7";
    comment.textB = "FLEET 3";
    SettingDifference channel;
    channel.page = "Conventional channels";
    std::string error;
    ASSERT_TRUE(ParseSettingRef("CT_Conv.CL_PersConv_FreqRx[2]", channel.ref, error)) << error;
    channel.label = "Rx frequency";
    channel.textA = "446.00625";
    channel.inB = false;
    ui::ComparisonDialog dialog(nullptr, texts, "depot.kcl", DifferenceRows({comment, channel}));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog, 5000));
    Shoot(&dialog, "compare");
    EXPECT_EQ(dialog.windowTitle(), "Compare with depot.kcl");
    QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "depot.kcl");
    EXPECT_EQ(table->item(0, 0)->text(), "Common settings");
    EXPECT_EQ(table->item(0, 1)->text(), "Clone comment 1 (CL_Comm_CloneComment1)");
    EXPECT_EQ(table->item(0, 2)->text(), "FLEET 7");
    EXPECT_EQ(table->item(0, 3)->text(), "FLEET 3");
    EXPECT_EQ(table->item(1, 1)->text(), "Rx frequency (CT_Conv.CL_PersConv_FreqRx[2])");
    EXPECT_EQ(table->item(1, 3)->text(), "(none)");
    EXPECT_FALSE(table->item(0, 2)->flags() & Qt::ItemIsEditable);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace xtr::test
