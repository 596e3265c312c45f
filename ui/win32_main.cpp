// Vorlix: the program. Builds the main window, wires every event to its
// handler, and runs the message loop until the window is closed.
#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>

#include "magnifier/cursor_relay.h"
#include "magnifier/magnifier.h"
#include "platform/win32_desktop.h"
#include "platform/win32_magnifier_platform.h"
#include "readout/sample_tick.h"
#include "ui/lifecycle.h"
#include "ui/main_window_layout.h"
#include "ui/readout_binding.h"
#include "ui/win32_form_toolkit.h"

namespace vorlix {
namespace {

class Program {
 public:
  Program()
      : platform_(std::make_shared<win32::Win32MagnifierPlatform>()),
        toolkit_(Handlers()),
        magnifier_(toolkit_, platform_),
        lifecycle_(toolkit_, magnifier_, *platform_),
        readout_(toolkit_) {}

  int Run() {
    if (!toolkit_.Open(MainWindow(), MainWindowControls())) {
      return 1;
    }
    return toolkit_.RunMessageLoop();
  }

 private:
  // The handlers run only once the window is open, when every member exists.
  FormHandlers Handlers() {
    FormHandlers h;
    h.created = [this] { lifecycle_.OnWindowCreated(); };
    h.will_be_destroyed = [this] { lifecycle_.OnWindowWillBeDestroyed(); };
    h.close_requested = [this] {
      return lifecycle_.OnCloseRequested(std::chrono::steady_clock::now());
    };
    h.clicked["超级按钮1"] = [this] { lifecycle_.OnGrabClicked(); };
    h.clicked["按钮1"] = [this] { magnifier_.StartMagnifier(); };
    h.clicked["按钮2"] = [this] { magnifier_.StopMagnifier(); };
    h.periodic["时钟1"] = [this] { SampleTick(desktop_, readout_); };
    h.key_down["编辑框20"] = [this](int key, int modifiers) -> std::optional<bool> {
      lifecycle_.OnKeyCatcherKeyDown(key, modifiers);
      return std::nullopt;  // the key goes on to the field
    };
    h.feedback["标签1"] = [this](std::uint64_t w, std::int64_t l) -> std::optional<std::int64_t> {
      return OnCursorRequest(*platform_, w, l);
    };
    return h;
  }

  // Shared with the magnifier worker, which may outlive the window by a frame.
  std::shared_ptr<win32::Win32MagnifierPlatform> platform_;
  win32::Win32Desktop desktop_;
  FormToolkit toolkit_;
  Magnifier magnifier_;
  Lifecycle lifecycle_;
  ReadoutBinding readout_;
};

}  // namespace
}  // namespace vorlix

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  vorlix::Program program;
  return program.Run();
}
