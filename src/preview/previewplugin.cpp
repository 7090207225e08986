// The preview module's entry point: QPluginLoader finds this class through
// the module's plugin metadata.
#include "preview/previewfactory.h"
#include "preview/previewwindow.h"

#include <QObject>

class PreviewPlugin : public QObject, public PreviewFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZephrinPreviewFactory_iid)
    Q_INTERFACES(PreviewFactory)
public:
    QWidget *createPreviewWindow(HostServices &host, const QString &demoPage) override
    {
        return new PreviewWindow(host, demoPage);
    }
};

#include "previewplugin.moc"
