// A Form for tests: remembers every property written, answers reads from
// that, records focus changes and messages, and knows no windows.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/form.h"

namespace vorlix::testing {

class FakeForm : public Form {
 public:
  struct Write_ {
    std::string control;
    Property property;
    PropertyValue value;
  };

  void Write(std::string_view control, Property property, const PropertyValue& value) override {
    values_[{std::string(control), property}] = value;
    writes.push_back({std::string(control), property, value});
  }

  PropertyValue Read(std::string_view control, Property property) override {
    auto it = values_.find({std::string(control), property});
    if (it != values_.end()) {
      return it->second;
    }
    return property == Property::Text ? PropertyValue{std::string()}
                                      : PropertyValue{std::int64_t{0}};
  }

  NativeHandle Handle(std::string_view control) override {
    auto it = handles.find(std::string(control));
    return it == handles.end() ? 0 : it->second;
  }

  std::int64_t Send(std::string_view, std::uint32_t, std::uint64_t, std::int64_t) override {
    return 0;
  }

  void Focus(std::string_view control) override { focus.emplace_back(control); }

  // Typed reads for assertions.
  bool Disabled(std::string_view control) {
    const PropertyValue v = Read(control, Property::Disabled);
    return std::holds_alternative<bool>(v) && std::get<bool>(v);
  }
  std::int64_t Integer(std::string_view control, Property property) {
    const PropertyValue v = Read(control, property);
    return std::holds_alternative<std::int64_t>(v) ? std::get<std::int64_t>(v) : -1;
  }
  std::string Text(std::string_view control) {
    const PropertyValue v = Read(control, Property::Text);
    return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : "<not text>";
  }

  // The magnifier's two buttons: start greyed and stop live while it runs.
  bool MagnifierShowsRunning() { return Disabled("按钮1") && !Disabled("按钮2"); }
  bool MagnifierShowsStopped() { return !Disabled("按钮1") && Disabled("按钮2"); }

  std::vector<Write_> writes;
  std::vector<std::string> focus;
  std::map<std::string, NativeHandle> handles;

 private:
  std::map<std::pair<std::string, Property>, PropertyValue> values_;
};

}  // namespace vorlix::testing
