#include "PlotExportPrompt.h"

#include "PlotExport.h"
#include "UserPrompt.h"

#include <QDir>
#include <QFileInfo>

bool PlotExportPrompt::exportPlot(QWidget* parent, GLPlotView& view)
{
    QString path = UserPrompt::getSaveFileName(parent, tr("Export Plot"), QDir::homePath(),
                                               tr("PNG image (*.png);;PDF document (*.pdf)"));
    if (path.isEmpty())
        return false;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        path += QStringLiteral(".png");
    QString error;
    if (PlotExport::save(view, path, &error))
        return true;
    UserPrompt::warning(parent, tr("Export Plot"), error);
    return false;
}
