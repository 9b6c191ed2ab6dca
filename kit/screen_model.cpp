#include "kit/screen_model.h"

#include "kit/crt.h"

ScreenModel::ScreenModel(int width, int height)
    : width_(width), height_(height), cells_(static_cast<std::size_t>(width * height)) {}

void ScreenModel::WRITE(unsigned char ch) {
  transcript_ += static_cast<char>(ch);
  switch (ch) {
    case 0:
      return;
    case 8:
      if (x_ > 0) {
        --x_;
      }
      return;
    case 10:
      lineFeed();
      return;
    case 13:
      x_ = 0;
      return;
    default:
      break;
  }
  cells_[static_cast<std::size_t>(y_ * width_ + x_)] = {ch, fore_, back_};
  if (++x_ == width_) {
    lineFeed();
  }
}

void ScreenModel::lineFeed() {
  x_ = 0;
  if (y_ == height_ - 1) {
    scroll();
  } else {
    ++y_;
  }
}

void ScreenModel::scroll() {
  cells_.erase(cells_.begin(), cells_.begin() + width_);
  cells_.resize(cells_.size() + static_cast<std::size_t>(width_), ScreenCell{' ', fore_, back_});
}

void ScreenModel::TEXTCOLOR(int c) {
  fore_ = c & 15;
}

void ScreenModel::TEXTBACKGROUND(int b) {
  back_ = ((b % 8) + 8) % 8;
}

void ScreenModel::NORMVIDEO() {
  fore_ = 7;
  back_ = 0;
}

int ScreenModel::WHEREX() {
  return x_ + 1;
}

void ScreenModel::CLRSCR() {
  for (ScreenCell& c : cells_) {
    c = {' ', fore_, back_};
  }
  x_ = 0;
  y_ = 0;
}

unsigned char ScreenModel::READKEY() {
  ++keyWaits_;
  if (HANGUP) {
    return 255;
  }
  if (keys_.empty()) {
    HANGUP = 1;
    return 255;
  }
  ScriptedKey key = keys_.front();
  keys_.pop_front();
  if (onKeyTime && key.seconds != 0) {
    onKeyTime(key.seconds);
  }
  if (key.hangup) {
    HANGUP = 1;
    return 255;
  }
  return key.code;
}

bool ScreenModel::NKEYPRESSED(int ms) {
  (void)ms;
  return !keys_.empty() && keys_.front().ahead && !keys_.front().hangup;
}

void ScreenModel::NDONOW(bool now) {
  immediate_ = now;
}

void ScreenModel::SOUND(int hz) {
  (void)hz;
  ++bells_;
}

void ScreenModel::DONE() {
  done_ = true;
}

void ScreenModel::type(const std::string& keys) {
  for (char c : keys) {
    keys_.push_back({static_cast<unsigned char>(c), false, false, 0});
  }
}

void ScreenModel::typeAhead(const std::string& keys) {
  for (char c : keys) {
    keys_.push_back({static_cast<unsigned char>(c), true, false, 0});
  }
}

void ScreenModel::press(unsigned char code, double seconds) {
  keys_.push_back({code, false, false, seconds});
}

void ScreenModel::hangupHere() {
  keys_.push_back({0, false, true, 0});
}

const ScreenCell& ScreenModel::cell(int x, int y) const {
  return cells_.at(static_cast<std::size_t>(y * width_ + x));
}

std::string ScreenModel::row(int y) const {
  std::string text;
  for (int x = 0; x < width_; ++x) {
    text += static_cast<char>(cell(x, y).ch);
  }
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string ScreenModel::screenText() const {
  std::string text;
  for (int y = 0; y < height_; ++y) {
    text += row(y) + '\n';
  }
  return text;
}
