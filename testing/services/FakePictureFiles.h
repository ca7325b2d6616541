#pragma once
// The picture files of plan runs as the patrol server serves them for download:
// GET ResPic/<plan id>/<time key>/<name> answers the bytes of the fake server's picture
// store, 404 when there is no such picture. A name sent in UTF-8 (as wide-character
// clients send it) also finds a picture stored under its GBK name.
#include "testing/http/FakeHttpServer.h"
#include "testing/services/PictureStore.h"

namespace test_support {

void serve_picture_files(FakeHttpServer& http, PictureStore& pictures);

}  // namespace test_support
