#include "ShopFloorTheme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace ShopFloorTheme {

QPalette darkPalette()
{
    // Near-black surfaces, white text, and a yellow selection that stands out from
    // every channel colour; disabled texts stay readable but clearly dimmed.
    const QColor window(30, 30, 30);
    const QColor base(16, 16, 16);
    const QColor button(48, 48, 48);
    const QColor text(245, 245, 245);
    const QColor dimmed(140, 140, 140);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(38, 38, 38));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 210));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, dimmed);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 80, 80));
    palette.setColor(QPalette::Light, QColor(90, 90, 90));
    palette.setColor(QPalette::Midlight, QColor(70, 70, 70));
    palette.setColor(QPalette::Mid, QColor(60, 60, 60));
    palette.setColor(QPalette::Dark, QColor(20, 20, 20));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(255, 208, 0));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Link, QColor(110, 180, 255));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dimmed);
    palette.setColor(QPalette::Disabled, QPalette::Button, window);
    return palette;
}

void apply(Theme theme)
{
    QApplication::setPalette(theme == Dark ? darkPalette()
                                           : QApplication::style()->standardPalette());
}

} // namespace ShopFloorTheme
