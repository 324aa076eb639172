// indMain: the application object of this radio family. It adds the model
// codes, the hidden maker mode (from the command line or the typed access
// word), the maker panel of the status bar and the guarded write to the
// radio to the generic application object.
#pragma once

#include "app/main/cui_main.h"

#include <string>
#include <vector>

namespace xtr {

// The radio family's model code: the first half of a clone file's family
// line and the code every write to the radio is checked against.
inline constexpr int32_t kModelCode = 0x2527;
inline constexpr int32_t kExtraCode = 0;
inline constexpr int32_t kImageSize = 0x4000;

class indMain : public cuiMain {
public:
    // commandLine: the program path followed by its arguments.
    explicit indMain(std::vector<std::string> commandLine);
    ~indMain() override;

    void InitEnvironment() override;
    void AttachForm(MainForm* form) override;
    void ImageLoaded(cmcEeprom& image) override;
    void PrepareImage(cmcEeprom& image) override;
    void CountProblems(int& errors, int& warnings) override;
    void LoadInitialFile(int modelType) override;
    void CloneWrite() override;
    void KeyTyped(char character) override;
    void LayoutStatusBar() override;
    void DrawStatusPanel(int panel, const Rect& rect, Canvas& canvas) override;

    // Numbers are read, typed and stored as the main window shows them
    // (prefixes as 200 plus the prefix, the directory's dial strings turned
    // into the same addresses). The desktop program switches to it when its
    // window attaches; the command-line tool and the generator of the
    // shipped files, which have no window, switch to it at once, so that
    // every face writes the same bytes into files and radios.
    void UseWindowNumbering();

    // Asks the caution question and, on OK, enters maker mode for good.
    void EnterMakerMode();
    const std::string& MakerPanelText() const { return makerPanelText_; }
    int MakerPanel() const { return makerPanel_; }

private:
    // kEvImageLoaded: the image or the tree has been rebuilt.
    void OnMakerEvent(const cmcEvent& event);

    static void MakerListener(void* context, const cmcEvent& event);
    bool AskMakerCaution();

    std::vector<std::string> commandLine_;
    std::string makerPanelText_;
    int makerPanel_ = -1;
    char typed_[7] = {};
};

}  // namespace xtr
