#pragma once
// The port the patrol readers are to use, as the patrol server announces it.

// The port; 9468 when the server answers with nothing, -1 when it cannot be asked or
// answers "-1".
int DAL_Cloud_GetServerPort();
