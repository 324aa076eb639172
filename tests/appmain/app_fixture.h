// Builds the process-wide objects the way the program does, over in-memory
// settings, an in-process guard, the manual clock and scripted boxes.
#pragma once

#include "app/local_instance_guard.h"
#include "app/main/ind_main.h"
#include "app/main/process_objects.h"
#include "app/environ.h"
#include "app/globals.h"
#include "app/memory_settings.h"
#include "support/fake_main_form.h"
#include "support/manual_time.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace xtr::test {

class AppTest : public ::testing::Test {
protected:
    void Start(std::vector<std::string> commandLine = {"xtr450"})
    {
        ProcessServices services;
        services.environ = EnvironServices{&settings, &guard, ScreenSize{1024, 768}};
        services.commandLine = std::move(commandLine);
        objects = std::make_unique<ProcessObjects>(services);
        // Backups of the tests' reads and writes never reach the user's own
        // folder.
        if (Env().transfer.backupFolder.empty()) {
            Env().transfer.backupFolder = appData.File("backups");
        }
    }

    void StartAttached(std::vector<std::string> commandLine = {"xtr450"})
    {
        Start(std::move(commandLine));
        objects->Application().AttachForm(&form);
    }

    indMain& App() { return objects->Application(); }

    TempDir appData;
    ManualTimeGuard time;
    ScriptedMessages messages;
    MemorySettings settings;
    LocalInstanceGuard guard;
    FakeMainForm form;
    std::unique_ptr<ProcessObjects> objects;
};

}  // namespace xtr::test
