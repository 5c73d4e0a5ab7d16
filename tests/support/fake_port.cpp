#include "tests/support/fake_port.h"

std::vector<int32_t> FakePort::played() const {
  std::vector<int32_t> out;
  for (const auto& s : sounds)
    if (s.op == "play" || s.op == "loop") out.push_back(s.handle);
  return out;
}

std::vector<std::string> FakePort::texts() const {
  std::vector<std::string> out;
  for (const auto& d : draws)
    if (d.kind == DrawCall::Text) out.push_back(d.text);
  return out;
}

void FakePort::drawPicture(int code, double x, double y) {
  DrawCall d;
  d.kind = DrawCall::Picture;
  d.code = code;
  d.x = x;
  d.y = y;
  draws.push_back(d);
}

void FakePort::drawRect(int colour, double x1, double y1, double x2, double y2) {
  DrawCall d;
  d.kind = DrawCall::Rect;
  d.code = colour;
  d.x = x1;
  d.y = y1;
  d.x2 = x2;
  d.y2 = y2;
  draws.push_back(d);
}

void FakePort::drawText(double x, double y, const std::string& text, double size, int colour,
                        bool bold) {
  DrawCall d;
  d.kind = DrawCall::Text;
  d.code = colour;
  d.x = x;
  d.y = y;
  d.text = text;
  d.size = size;
  d.bold = bold;
  draws.push_back(d);
}

void FakePort::setBackColour(int colour) {
  DrawCall d;
  d.kind = DrawCall::BackColour;
  d.code = colour;
  draws.push_back(d);
}

void FakePort::refresh() {
  DrawCall d;
  d.kind = DrawCall::Refresh;
  draws.push_back(d);
}

Answer FakePort::messageBox(const std::string& text, const std::string& title, Buttons buttons,
                            Icon icon) {
  messages.push_back({text, title, buttons, icon});
  if (!answers.empty()) {
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void FakePort::wait(double seconds) {
  now += static_cast<float>(seconds);
  if (now >= 86400) now -= 86400;
}

int32_t FakePort::dsInitialize() {
  sounds.push_back({"init", device});
  return device;
}

int32_t FakePort::dsCreateDSB(int32_t dev, const uint8_t*, std::size_t length, int32_t) {
  if (dev == 0 || length == 0) return 0;
  const int32_t h = nextBuffer++;
  sounds.push_back({"create", h});
  return h;
}
