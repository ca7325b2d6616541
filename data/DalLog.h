#pragma once
// Where the data layer's failure lines go. Each family keeps to one of four styles: the
// text log at level 3 (parse-exception lines plain, or behind "解析异常："), or the
// asynchronous logger at level 2 (read failures end their head in "：", write failures in
// ":"). The few lines of information it writes go to the text log at level 6. Tests may
// watch the lines instead of letting them reach the loggers.
#include <functional>
#include <string>
#include <string_view>

enum class DalLogStyle {
  Text,          // g_log level 3, exception lines "%s\n"
  TextPrefixed,  // g_log level 3, exception lines "解析异常：%s\n"
  AsyncRead,     // log_helper level 2, heads ending in "："
  AsyncWrite,    // log_helper level 2, operation heads ending in ":"
};

class DalLog {
 public:
  enum class Sink { TextLog, AsyncLog };
  // Receives every line in place of the loggers while it is set.
  using Observer = std::function<void(Sink sink, int level, const std::string& line)>;

  // A failed exchange of the operation `name`; the text is the reply or the error.
  static void OperationFailed(DalLogStyle style, std::string_view name, const std::string& text);
  // A reply the JSON reader refused; the text is the reader's error text.
  static void ParseFailed(DalLogStyle style, const std::string& name, const std::string& errors);
  // The JSON library raised its error while records were read from `json`.
  static void ParseException(DalLogStyle style, const std::string& name, const std::string& what,
                             const std::string& json);

  // A finished line for the text log at level 3.
  static void TextLine(const std::string& line);
  // A finished line of information for the text log, at level 6.
  static void InfoLine(const std::string& line);

  // An empty observer gives the lines back to the loggers.
  static void SetObserver(Observer observer);

 private:
  static void ToAsyncLog(const std::string& text);
};
