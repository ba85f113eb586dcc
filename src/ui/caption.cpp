#include "ui/caption.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

void scriviCaption(QWidget *controllo, const QString &caption) {
    if (auto *etichetta = qobject_cast<QLabel *>(controllo))
        etichetta->setText(caption);
    else if (auto *pulsante = qobject_cast<QAbstractButton *>(controllo))
        pulsante->setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    else if (auto *cornice = qobject_cast<QGroupBox *>(controllo))
        cornice->setTitle(caption);
}

QString leggiCaption(const QWidget *controllo) {
    if (auto *etichetta = qobject_cast<const QLabel *>(controllo))
        return etichetta->text();
    if (auto *pulsante = qobject_cast<const QAbstractButton *>(controllo))
        return pulsante->text().replace(QLatin1String("&&"), QLatin1String("&"));
    if (auto *cornice = qobject_cast<const QGroupBox *>(controllo))
        return cornice->title();
    return QString();
}
