#include "kit/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "kit/ending.h"

namespace {
bool slurp(std::FILE* f, std::string& out) {
  char buf[8192];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    out.append(buf, n);
  }
  return std::ferror(f) == 0;
}

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
  return c == '\n' || c == '\r';
}

bool isDigits(const std::string& s, std::size_t& i) {
  std::size_t start = i;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    ++i;
  }
  return i > start;
}

bool isInteger(const std::string& s) {
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  return isDigits(s, i) && i == s.size();
}

// Digits with an optional fraction and exponent: 12, -3.5, 1e3, 100.00, .5
bool isReal(const std::string& s) {
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  bool whole = isDigits(s, i);
  bool fraction = false;
  if (i < s.size() && s[i] == '.') {
    ++i;
    fraction = isDigits(s, i);
  }
  if (!whole && !fraction) {
    return false;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
      ++i;
    }
    if (!isDigits(s, i)) {
      return false;
    }
  }
  return i == s.size();
}
}  // namespace

bool TextFile::open(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    return false;
  }
  // A folder opens on Linux but holds no text: it is no file to read.
  struct stat st {};
  if (::fstat(::fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fclose(f);
    errno = EISDIR;
    return false;
  }
  name_ = path;
  data_.clear();
  pos_ = 0;
  line_ = 1;
  bool ok = slurp(f, data_);
  std::fclose(f);
  if (!ok) {
    FATAL(path, 0, "cannot be read");
  }
  return true;
}

void TextFile::openOrDie(const std::string& path) {
  if (!open(path)) {
    FATAL(path, 0, std::string("cannot be opened (") + std::strerror(errno) + ")");
  }
}

void TextFile::openStream(std::FILE* stream, const std::string& name) {
  name_ = name;
  data_.clear();
  pos_ = 0;
  line_ = 1;
  if (!slurp(stream, data_)) {
    FATAL(name, 0, "cannot be read");
  }
}

bool TextFile::atLineEnd() const {
  return pos_ < data_.size() && isLineEnd(data_[pos_]);
}

void TextFile::passLineEnd() {
  if (pos_ >= data_.size()) {
    return;
  }
  if (data_[pos_] == '\r' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n') {
    ++pos_;
  }
  ++pos_;
  ++line_;
}

std::string TextFile::readLine(std::size_t max) {
  std::size_t start = pos_;
  while (pos_ < data_.size() && !isLineEnd(data_[pos_])) {
    ++pos_;
  }
  std::string text = data_.substr(start, std::min(pos_ - start, max));
  passLineEnd();
  return text;
}

std::string TextFile::readField(std::size_t max, const std::string& what) {
  if (eof()) {
    fail("the file ends where " + what + " was expected");
  }
  return readLine(max);
}

void TextFile::skipLine() {
  while (pos_ < data_.size() && !isLineEnd(data_[pos_])) {
    ++pos_;
  }
  passLineEnd();
}

std::string TextFile::token(const std::string& what) {
  while (pos_ < data_.size() && (isBlank(data_[pos_]) || isLineEnd(data_[pos_]))) {
    if (atLineEnd()) {
      passLineEnd();
    } else {
      ++pos_;
    }
  }
  if (eof()) {
    fail("the file ends where " + what + " was expected");
  }
  std::size_t start = pos_;
  while (pos_ < data_.size() && !isBlank(data_[pos_]) && !isLineEnd(data_[pos_])) {
    ++pos_;
  }
  return data_.substr(start, pos_ - start);
}

long TextFile::readInt(const std::string& what) {
  std::string t = token(what);
  if (!isInteger(t) || t.size() > 12) {
    fail("expected " + what + " (a whole number), found \"" + t + "\"");
  }
  return std::strtol(t.c_str(), nullptr, 10);
}

double TextFile::readReal(const std::string& what) {
  std::string t = token(what);
  if (!isReal(t) || t.size() > 64) {
    fail("expected " + what + " (a number), found \"" + t + "\"");
  }
  return std::strtod(t.c_str(), nullptr);
}

void TextFile::fail(const std::string& what) const {
  FATAL(name_, line_, what);
}

void SAVEFILE(const std::string& path, const std::string& contents) {
  const std::string temporary = path + ".tmp";
  struct stat old {};
  const bool existed = ::stat(path.c_str(), &old) == 0;
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    FATAL(path, 0, std::string("cannot be written (") + std::strerror(errno) + ")");
  }
  bool ok = !existed || ::fchmod(fd, old.st_mode & 07777) == 0;
  std::size_t done = 0;
  while (ok && done < contents.size()) {
    ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    ok = n > 0;
    if (ok) {
      done += static_cast<std::size_t>(n);
    }
  }
  ok = ok && ::fsync(fd) == 0;
  int error = errno;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    error = errno != 0 ? errno : error;
    ::unlink(temporary.c_str());
    FATAL(path, 0, std::string("cannot be written (") + std::strerror(error) + ")");
  }
}
