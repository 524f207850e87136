#include "core/ToolkitTexts.h"

#include <QCoreApplication>
#include <QTranslator>

// The resource lives in a static library: named here so the linker keeps it.
static void initTranslationResource()
{
    Q_INIT_RESOURCE(translations);
}

namespace toolkittexts {
void install()
{
    static QTranslator *texts = nullptr;
    if (texts)
        return;
    initTranslationResource();
    texts = new QTranslator(QCoreApplication::instance());
    if (texts->load(QStringLiteral(":/translations/sistemnota_id.qm")))
        QCoreApplication::installTranslator(texts);
}
} // namespace toolkittexts
