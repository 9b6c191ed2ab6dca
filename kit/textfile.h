#pragma once
// Reading and writing the game's text files. Every reader of a data file goes through
// TextFile, so they all take the same line ends (LF, CR or CR LF) and number forms, and
// every fatal error names the file, the line and what was expected.
// Every file the game rewrites goes through SAVEFILE, so a save is never half done.

#include <cstdio>
#include <string>

class TextFile {
 public:
  // Opens a file for reading; false when it cannot be opened.
  bool open(const std::string& path);
  // Opens a data file that must exist: a missing or unreadable file is fatal.
  void openOrDie(const std::string& path);
  // Takes the text to read from a stream that is already open (the parameter file on
  // standard input); fatal when it cannot be read.
  void openStream(std::FILE* stream, const std::string& name);

  bool eof() const { return pos_ >= data_.size(); }
  // The rest of the current line, cut to max characters; then on to the next line.
  std::string readLine(std::size_t max);
  // The same, for a line that must be there: the end of the file is fatal, naming `what`.
  std::string readField(std::size_t max, const std::string& what);
  // A number after any blanks, tabs and line ends, up to the next blank, tab or line end.
  // Not a number, or the end of the file: fatal, naming `what`.
  long readInt(const std::string& what);
  double readReal(const std::string& what);
  // On to the start of the next line.
  void skipLine();

  int line() const { return line_; }
  // The whole text read.
  const std::string& contents() const { return data_; }
  const std::string& name() const { return name_; }
  [[noreturn]] void fail(const std::string& what) const;

 private:
  std::string token(const std::string& what);
  bool atLineEnd() const;
  void passLineEnd();

  std::string name_;
  std::string data_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// Replaces a file whole: the new text goes to a temporary file in the same folder, is
// flushed to disk and renamed over the old one, which keeps its permissions. A failure
// is fatal and leaves the old file as it was.
void SAVEFILE(const std::string& path, const std::string& contents);
