#include <gtest/gtest.h>

#include <glib.h>

// Every window links GLib through pango, and GLib has a function called g_log, the name
// of the program's text log too. This executable also holds the text log (the logger
// tests use it); if the log's object took GLib's symbol, this call would jump into it.
// The file cannot include the logger's header: the two names clash in one source.
TEST(LogSymbol, GLibLoggingStillReachesGLib) {
  int calls = 0;
  const guint handler = g_log_set_handler(
      "patrol-test", G_LOG_LEVEL_MESSAGE,
      [](const gchar*, GLogLevelFlags, const gchar* message, gpointer counter) {
        if (g_strcmp0(message, "through glib") == 0) ++*static_cast<int*>(counter);
      },
      &calls);
  g_log("patrol-test", G_LOG_LEVEL_MESSAGE, "%s", "through glib");
  g_log_remove_handler("patrol-test", handler);
  EXPECT_EQ(calls, 1);
}
