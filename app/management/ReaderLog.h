#pragma once
// Where the reader dialog's failures of the reader library go: the text log at level 3,
// one line each ending in the function's result. Tests may watch the lines instead.
#include <functional>
#include <string>

class ReaderLog {
 public:
  using Observer = std::function<void(int level, const std::string& line)>;

  // Formats one line (GBK) with the one integer or two integers the format takes.
  static void Error(const char* format, long result);
  static void Error(const char* format, int number, long result);

  // While set, every line goes to the observer instead of the log. Returns the one it
  // replaces; an empty one gives the lines back to the log.
  static Observer SetObserver(Observer observer);

 private:
  static void Write(int level, const std::string& line);
};
