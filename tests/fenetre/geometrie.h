#pragma once
// Where the parts of Qt's controls are drawn, for clicks where a pupil clicks.
#include <QComboBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>

namespace quillon::essais {

// Where an arrow (or another part) of a scroll bar is drawn.
inline QRect rect_fleche(QScrollBar* s, QStyle::SubControl partie)
{
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.subControls = QStyle::SC_All;
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = opt.sliderValue = s->value();
    opt.singleStep = s->singleStep();
    opt.pageStep = s->pageStep();
    return s->style()->subControlRect(QStyle::CC_ScrollBar, &opt, partie, s);
}

// Where the arrow that opens a list is drawn.
inline QRect rect_fleche_liste(QComboBox* c)
{
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    opt.subControls = QStyle::SC_All;
    return c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, c);
}

} // namespace quillon::essais
