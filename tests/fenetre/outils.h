#pragma once
// Helpers of the window tests.
#include "app/programme.h"
#include "ui_tform1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace quillon::essais {

// The build's program folder, holding the bitmaps.
inline QString dossier_construit()
{
    return QStringLiteral(QUILLON_DOSSIER_TEST);
}

// A program folder with the five bitmaps, less the one named.
inline void copier_bitmaps(const QTemporaryDir& dossier, const QString& sauf = QString())
{
    for (const char* nom : {"an.bmp", "k.bmp", "na.bmp", "fl_i_e.bmp", "fl_e_i.bmp"}) {
        const QString n = QString::fromLatin1(nom);
        if (n != sauf)
            QFile::copy(dossier_construit() + n, dossier.path() + "/" + n);
    }
}

// Shows the window and waits until the X server has mapped it.
inline bool montrer(QWidget& w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

} // namespace quillon::essais
