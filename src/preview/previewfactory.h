#pragma once

#include <QString>
#include <QtPlugin>

class HostServices;
class QWidget;

// What the preview module offers the program. Kept free of any web-engine
// include, so the program can use it without linking the web engine.
class PreviewFactory
{
public:
    virtual ~PreviewFactory() = default;

    // A new preview window without an owner, showing the demonstration page
    // demoPage of the application folder (none when empty). The caller owns it.
    virtual QWidget *createPreviewWindow(HostServices &host, const QString &demoPage) = 0;
};

#define ZephrinPreviewFactory_iid "example.tolvane.Zephrin.PreviewFactory/1.2"
Q_DECLARE_INTERFACE(PreviewFactory, ZephrinPreviewFactory_iid)
