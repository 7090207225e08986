#pragma once

#include "pages/filestore.h"

#include <QString>

// The helpers every box script (popupN.js) shares are kept once, in
// boxhelpers.js beside the scripts; the line of a script that holds
// boxHelpersMarker stands for them. The build puts them in its place, so each
// installed script is complete and generation copies its lines as they stand.
inline constexpr char boxHelpersName[] = "boxhelpers.js";
inline constexpr char boxHelpersMarker[] = "// zephrin: box helpers";

// The script at scriptPath with the whole first line holding boxHelpersMarker
// replaced by the text of the helpers file at helpersPath, less each function
// that neither the script nor a helper it keeps calls (the file's blocks are
// parted by blank lines, each defining at most one function). The helpers' lines
// take the script's line ends (CR LF when its first line ends so, LF
// otherwise); the marker line's own line end, or its lack of one on a last
// line, stays. Fails, naming the file, when either file cannot be read or no
// line of the script holds the marker.
ReadResult scriptWithBoxHelpers(const QString &scriptPath, const QString &helpersPath);
