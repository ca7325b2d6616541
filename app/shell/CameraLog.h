#pragma once
// Where the camera windows' lines go: the text log (g_log) for the player's progress
// and failures, the asynchronous logger for a start that failed. Tests may watch the
// lines instead of letting them reach the loggers.
#include <functional>
#include <string>

class CameraLog {
 public:
  enum class Sink { TextLog, AsyncLog };
  // Receives every line in place of the loggers while it is set.
  using Observer = std::function<void(Sink sink, int level, const std::string& line)>;

  // A finished line (GBK, its "\n" included) for the text log.
  static void Text(int level, const std::string& line);
  // A finished text for the asynchronous logger.
  static void Async(int level, const std::string& text);

  // An empty observer gives the lines back to the loggers. Returns the one it replaces.
  static Observer SetObserver(Observer observer);
};
