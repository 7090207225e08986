// zephrin_demopages: writes the demonstration pages (sticky.html ...
// timer.html, modern-sticky.html ... in the modern look, and Force Emailer's
// with a sign-up form, signup-optin.html and modern-signup-optin.html) from
// the support scripts, at build time.
//
//   zephrin_demopages SCRIPT_DIR OUT_DIR
//
// Reads popup1.js ... popup5.js and rules.js, as installed, from SCRIPT_DIR and writes each page
// into OUT_DIR. Links the core alone, so the build needs no browser engine for it. A page is
// replaced only once it is written whole.

#include "demopage.h"

#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool fail(const QString &message)
{
    std::fprintf(stderr, "zephrin_demopages: %s\n", qPrintable(message));
    return false;
}

bool writePage(const AdSettings &settings, const QDir &scripts, const QDir &out)
{
    const PreparedGeneration script = prepareGeneration(scripts.path(), settings);
    if (!script.ok())
        return fail(script.error());
    QSaveFile page(out.filePath(demoPageFor(settings)));
    if (!page.open(QIODevice::WriteOnly)
        || page.write(DemoPage::pageText(settings, script.scripts).toUtf8()) < 0 || !page.commit())
        return fail(page.fileName() + QStringLiteral(": ") + page.errorString());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        fail(QStringLiteral("usage: zephrin_demopages SCRIPT_DIR OUT_DIR"));
        return 2;
    }
    const QDir scripts(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (AdType type : DemoPage::allTypes) {
        for (Look look : {Look::Classic, Look::Modern}) {
            for (bool signUp : {false, true}) {
                if (signUp && type != AdType::ForceEmailer)
                    continue;
                if (!writePage(DemoPage::sampleSettings(type, look, signUp), scripts, out))
                    return 1;
            }
        }
    }
    return 0;
}
