#pragma once

#include <QString>

// The folder of Zephrin's support files (the support scripts, demonstration
// pages and snapshot images), without a trailing separator, for a program whose
// executable lies in executableFolder. An installed program has them at a fixed
// path relative to its executable (bin/../share/zephrin), so one package works
// under any prefix; a program run from its build folder has them beside it.
// Looks only at whether the installed folder exists; reads no file.
QString supportFolderFor(const QString &executableFolder);

// supportFolderFor() for the running program; needs a QCoreApplication.
QString supportFolder();

// The folder of Zephrin's translations: translations/ in the support folder.
QString translationsFolder();
