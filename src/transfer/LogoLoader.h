#pragma once

#include "transfer/LogoBuffer.h"

namespace markast {

class FileDialog;
class TransferView;

// Lets the operator choose a logo file and reads it whole into logo. Any failure, Cancel
// included, ends the load quietly; logo then still holds the file loaded before, whole, and
// the view shows what it showed before the load. Returns true when a new logo is in.
bool loadLogo(FileDialog& dialog, TransferView& view, LogoBuffer& logo);

} // namespace markast
