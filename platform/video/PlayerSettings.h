#pragma once
// What entries 40 to 46 set; a stream takes them when it is opened.

namespace platform::video {

struct PlayerSettings {
  int bufferMs = 200;      // how long RTSP packets may wait to be put back in order
  int mute = 0;
  int rotation = 0;
  int timeoutSeconds = 5;  // a stream silent this long (or this long opening) has ended
  int rtspTcp = 1;         // interleaved in the RTSP connection: no UDP ports to open
  int fastStartup = 1;     // probe a little of the stream, so the first frame comes early
  int scaleMode = 0;       // frames fill the window's client area
};

}  // namespace platform::video
