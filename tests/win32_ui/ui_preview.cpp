// Shows the main window with sample readout texts, for a look and a
// screenshot: `vorlix_ui_preview [seconds]` closes itself after the given
// time, otherwise when the user closes it.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "ui/main_window_layout.h"
#include "ui/readout_binding.h"
#include "ui/win32_form_toolkit.h"

namespace {

constexpr UINT_PTR kEndTimer = 77;

void CALLBACK EndPreview(HWND hwnd, UINT, UINT_PTR, DWORD) {
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using vorlix::ReadoutField;
  vorlix::FormHandlers handlers;
  vorlix::FormToolkit* form = nullptr;
  handlers.created = [&form] {
    form->Write("按钮1", vorlix::Property::Disabled, false);
    form->Write("按钮2", vorlix::Property::Disabled, true);
    form->Focus("编辑框20");
  };
  vorlix::FormToolkit toolkit(std::move(handlers));
  form = &toolkit;
  if (!toolkit.Open(vorlix::MainWindow(), vorlix::MainWindowControls())) {
    return 1;
  }
  if (__argc > 1) {
    const int seconds = _wtoi(__wargv[1]);
    SetTimer(toolkit.MainWindowHandle(), kEndTimer, static_cast<UINT>(seconds * 1000), &EndPreview);
  }
  if (std::getenv("VORLIX_PREVIEW_SAMPLE") != nullptr) {
    // What one tick over a Notepad window would show (titles in GB2312).
    vorlix::ReadoutBinding sink(toolkit);
    const std::pair<ReadoutField, const char*> sample[] = {
        {ReadoutField::PointerX, "512"},
        {ReadoutField::PointerY, "384"},
        {ReadoutField::WindowHandle, "65814"},
        {ReadoutField::WindowClass, "Edit"},
        {ReadoutField::WindowTitle, ""},
        {ReadoutField::ParentHandle, "65812"},
        {ReadoutField::ParentClass, "Notepad"},
        {ReadoutField::ParentTitle, "\xCE\xDE\xB1\xEA\xCC\xE2 - \xBC\xC7\xCA\xC2\xB1\xBE"},
        {ReadoutField::ColourHex, "3366CC"},
        {ReadoutField::ColourDec, "13395507"},
        {ReadoutField::RedHex, "33"},
        {ReadoutField::GreenHex, "66"},
        {ReadoutField::BlueHex, "CC"},
        {ReadoutField::RedDec, "51"},
        {ReadoutField::GreenDec, "102"},
        {ReadoutField::BlueDec, "204"},
        {ReadoutField::HsbHue, "220"},
        {ReadoutField::HsbSaturation, "75"},
        {ReadoutField::HsbBrightness, "80"},
        {ReadoutField::HslHue, "220"},
        {ReadoutField::HslSaturation, "60"},
        {ReadoutField::HslLightness, "50"},
    };
    for (const auto& [field, text] : sample) {
      sink.Show(field, text);
    }
    sink.ShowSwatch(0x00CC6633u);
  }
  return toolkit.RunMessageLoop();
}
