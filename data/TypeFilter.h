#pragma once
// Which patrol types the logged-in user may see.

namespace dal {

// True for every type when the user holds all rights or all types, else only for the
// types of the user's type map.
bool TypeVisible(int iType);

}  // namespace dal
