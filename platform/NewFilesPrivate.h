#pragma once
// Whatever the program or a library it uses (Qt's dialogs, font caches)
// creates for her is for her eyes only from its first byte.

namespace NewFilesPrivate {

// Called first thing at start, before anything can be created.
void apply();

} // namespace NewFilesPrivate
