#include "bouton_image.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quillon {

QRect BoutonImage::rect_image() const
{
    const QSize t = iconSize();
    return QRect(QPoint(marge_, (height() - t.height()) / 2), t);
}

QRect BoutonImage::rect_texte() const
{
    const int gauche = icon().isNull() ? marge_ : rect_image().right() + 1 + espacement_;
    return QRect(gauche, 0, std::max(0, width() - gauche - 2), height());
}

void BoutonImage::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton o;
    initStyleOption(&o);
    // The panel as the style draws it, without its centred icon and caption.
    p.drawControl(QStyle::CE_PushButtonBevel, o);
    const bool actif = isEnabled();
    if (!icon().isNull())
        p.drawPixmap(rect_image(), icon().pixmap(iconSize(), devicePixelRatio(),
                                                  actif ? QIcon::Normal : QIcon::Disabled));
    p.drawItemText(rect_texte(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), actif, text(),
                   QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect f;
        f.initFrom(this);
        f.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &o, this);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, f);
    }
}

} // namespace quillon
