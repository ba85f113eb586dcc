#pragma once

#include "ui/clsresize.h"
#include "ui/layoutdata.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

class QAction;
class QMenuBar;

// A control's geometry in twips, relative to its container (the window's client area or a
// frame). Twips become device-independent pixels here, 15 to one.
double leggiTwips(const QWidget *controllo, ControlloRidimensionabile::Proprieta proprieta);
void scriviTwips(QWidget *controllo, ControlloRidimensionabile::Proprieta proprieta, double twips);

// A control's caption as the user reads it. Buttons would take "&" for a keyboard shortcut
// ("QU & CQU"), so it is doubled on the way in and undone on the way out.
void scriviCaption(QWidget *controllo, const QString &caption);
QString leggiCaption(const QWidget *controllo);

// One of the program's windows, built from its layout table. Controls are found by name and
// array index; the window offers the resizer its twip geometry. Each screen derives from it
// and fills in the Load, Activate and Resize handlers.
class Finestra : public QWidget, public FinestraRidimensionabile {
    Q_OBJECT
public:
    explicit Finestra(const DefinizioneFinestra &definizione, QWidget *parent = nullptr);
    ~Finestra() override;

    const DefinizioneFinestra &definizione() const { return m_definizione; }

    // The control with this name and array index (-1 when it is not an array member), or
    // nullptr when the layout has no such control.
    QWidget *controllo(const QString &nome, int indice = -1) const;
    template <class T> T *controllo(const QString &nome, int indice = -1) const {
        return qobject_cast<T *>(controllo(nome, indice));
    }
    // The indices that exist in an array, ascending.
    QList<int> indici(const QString &nome) const;
    QAction *voceMenu(const QString &nome) const;
    QMenuBar *barraMenu() const { return m_barraMenu; }
    // The client area that holds the controls (below the menu bar, if any).
    QWidget *superficie() const { return m_superficie; }
    void impostaSfondo(const QColor &colore);

    // Shows the screen with this name, creating it and running its load handler when it is
    // not open. A screen exists at most once. Returns nullptr when the load handler refused.
    static Finestra *mostra(const QString &nome, const std::function<Finestra *()> &crea);
    static Finestra *aperta(const QString &nome);

    bool giaAttivata() const { return m_giaAttivata; }
    // Called by the activation watcher when the activation counts.
    void attiva();

    // FinestraRidimensionabile
    int numeroControlli() const override;
    std::shared_ptr<ControlloRidimensionabile> controlloNumero(int i) const override;
    double larghezzaCliente() const override;
    double altezzaCliente() const override;
    bool minimizzata() const override;
    void impostaAngolo(float top, float left) override;
    void impostaAltezzaEsterna(double twips) override;
    void impostaLarghezzaEsterna(double twips) override;
    double larghezzaSchermo() const override;
    double altezzaSchermo() const override;
    void sospendiDisegno() override;
    void riprendiDisegno() override;

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
    // Called by a load handler that cannot open its screen (after telling the user why): the
    // window is discarded unshown and mostra() returns nullptr.
    void rifiutaApertura() { m_aperturaRifiutata = true; }

    void resizeEvent(QResizeEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    struct Voce {
        QString nome;
        int indice;
        QPointer<QWidget> widget;
    };
    void costruisciControlli();
    void costruisciMenu();
    void sistemaSuperficie();
    int altezzaBarraMenu() const;
    QSize margini() const;

    const DefinizioneFinestra &m_definizione;
    QWidget *m_superficie = nullptr;
    QMenuBar *m_barraMenu = nullptr;
    QList<Voce> m_controlli;
    QList<QPair<QString, QPointer<QAction>>> m_menu;
    bool m_giaAttivata = false;
    bool m_aperturaRifiutata = false;
};
