// Shows a sampling tick on the main window: each readout field goes into the
// text of its edit field, the swatch colour into the shape box's background.
#pragma once

#include <string_view>

#include "readout/readout_sink.h"
#include "ui/form.h"

namespace vorlix {

// The edit field that shows `field`.
std::string_view EditFieldFor(ReadoutField field);

// The shape box that shows the swatch.
inline constexpr std::string_view kSwatchControl = "外形框1";

class ReadoutBinding final : public ReadoutSink {
 public:
  explicit ReadoutBinding(Form& form) : form_(form) {}

  void Show(ReadoutField field, std::string_view text) override;
  void ShowSwatch(ColourValue colour) override;

 private:
  Form& form_;  // not owned
};

}  // namespace vorlix
