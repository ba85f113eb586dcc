#pragma once

#include "ui/adattatoreridimensionamento.h"
#include "ui/layoutdata.h"
#include "ui/nomicontrolli.h"
#include "ui/smistatoreattivazioni.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>

class QAction;
class QMenuBar;

// One of the program's windows, built from its layout table. Controls are found by name and
// array index. Each screen derives from it and fills in the Load, Activate and Resize handlers.
class Finestra : public QWidget, public Attivabile {
    Q_OBJECT
public:
    struct ControlloCostruito {
        QString nome;
        int indice;
        QPointer<QWidget> widget;
        // The control's tag: free text that can restrict which of its place and size the
        // resizer scales (see leggiDirettiva); empty, as in every layout, scales all four.
        QString tag;
    };

    explicit Finestra(const DefinizioneFinestra &definizione, QWidget *parent = nullptr);
    ~Finestra() override;

    // The control with this name and array index (-1 when it is not an array member), or
    // nullptr when the layout has no such control.
    QWidget *controllo(NomeControllo nome, int indice = -1) const;
    template <class T> T *controllo(NomeControllo nome, int indice = -1) const {
        return qobject_cast<T *>(controllo(nome, indice));
    }
    // The indices that exist in an array, ascending.
    QList<int> indici(NomeControllo nome) const;
    QAction *voceMenu(NomeControllo nome) const;
    // Changes a control's tag; the next resize pass follows it.
    void impostaTag(NomeControllo nome, int indice, const QString &tag);
    // The client area that holds the controls (below the menu bar, if any).
    QWidget *superficie() const { return m_superficie; }
    void impostaSfondo(const QColor &colore);

    // Every control and menu item in table order, as the resizer walks them.
    const QList<ControlloCostruito> &controlli() const { return m_controlli; }
    const DefinizioneFinestra &definizione() const { return m_definizione; }
    QMenuBar *barraMenu() const { return m_barraMenu; }
    const QList<QPair<QString, QPointer<QAction>>> &vociMenu() const { return m_menu; }
    AdattatoreRidimensionamento &ridimensionabile() { return m_adattatore; }
    int altezzaBarraMenu() const;
    // Places the menu bar and the client area in the window as it now is.
    void sistemaSuperficie();

    // Runs the load handler; false when the screen refused to open (the user has been told).
    bool carica();

    // Attivabile: called by the activation watcher when the activation counts.
    bool giaAttivata() const override { return m_giaAttivata; }
    void attiva() override;

protected:
    virtual void onLoad() {}
    virtual void onActivate() {}
    // Every screen scales its controls with the resizer of the screen that loaded last.
    virtual void onResize();

    // The first step of every load handler: a new resizer bound to this window, sized to
    // three quarters of the display.
    void preparaRidimensionamento();
    // The activation of every screen: the window covers the whole display.
    void copriSchermo();
    // Called by a load handler that cannot open its screen (after telling the user why).
    void rifiutaApertura() { m_aperturaRifiutata = true; }

    void resizeEvent(QResizeEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    // Where the control with this name and index stands in m_controlli, or -1.
    int posizione(const QString &nome, int indice) const;
    QWidget *cerca(const QString &nome, int indice) const;

    const DefinizioneFinestra &m_definizione;
    AdattatoreRidimensionamento m_adattatore{*this};
    QWidget *m_superficie = nullptr;
    QMenuBar *m_barraMenu = nullptr;
    QList<ControlloCostruito> m_controlli;
    QList<QPair<QString, QPointer<QAction>>> m_menu;
    bool m_giaAttivata = false;
    bool m_aperturaRifiutata = false;
};
