# The video player: from starting a stream of the loopback camera to its first frame in
# the window, beside a plain FFmpeg open and decode of the same stream; and frames
# decoded, scaled and handed to a 1280x720 window per second from a local clip, beside
# a plain FFmpeg decode loop of the same clip.
project_benchmark(bench_video
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/VideoBench.cpp ${CMAKE_CURRENT_LIST_DIR}/HeadlessMain.cpp
  LIBS platform_video testing_video testing_driver testing_files PkgConfig::FFMPEG)
