#include "fakes/fake_message_boxes.h"

namespace tv::fakes {

int FakeMessageBoxes::Show(WindowRef owner, const char* text, const char* caption,
                           std::uint32_t style) {
  shown_.push_back(ShownMessageBox{
      owner, text != nullptr ? text : "",
      caption != nullptr ? std::optional<std::string>(caption) : std::nullopt, style});
  if (!answers_.empty()) {
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return (style & 0xF) == kMbYesNo ? kIdYes : kIdOk;
}

std::vector<std::string> FakeMessageBoxes::Texts() const {
  std::vector<std::string> texts;
  for (const auto& box : shown_) texts.push_back(box.text);
  return texts;
}

}  // namespace tv::fakes
