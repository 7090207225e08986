#pragma once

#include "generator/adtype.h"
#include "generator/look.h"

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
    // of selected in look (none for AdType::None). The caller owns it.
    virtual QWidget *createPreviewWindow(HostServices &host, AdType selected, Look look) = 0;
};

#define ZephrinPreviewFactory_iid "example.tolvane.Zephrin.PreviewFactory/1.1"
Q_DECLARE_INTERFACE(PreviewFactory, ZephrinPreviewFactory_iid)
