#pragma once

#include <QString>

// The folder holding the support scripts popup1.js ... popup5.js: beside the
// executable (the build's bin/ folder, or a program folder), else the
// installed data folder relative to it. When neither holds them, the first,
// so that messages name where they were expected.
QString supportFolder();
