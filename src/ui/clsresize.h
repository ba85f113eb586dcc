#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>
#include <memory>
#include <optional>

// What the resizer needs of one control. Geometry is in twips, relative to the control's
// container; the Qt implementation converts at the widget boundary.
class ControlloRidimensionabile {
public:
    enum class Proprieta { Left, Top, Width, Height };

    // What one pass sets on a control; a property left empty is not touched.
    struct Geometria {
        std::optional<double> left, top, width, height;
    };

    virtual ~ControlloRidimensionabile() = default;
    // nullopt when the control has no such property (menu items have none of the four).
    virtual std::optional<double> leggi(Proprieta proprieta) const = 0;
    // false when the property cannot be set on this control; the resizer then goes on.
    virtual bool scrivi(Proprieta proprieta, double twips) = 0;
    // Sets the properties of one pass. By default one by one, in the order left, top, width,
    // height, each refusal skipped; a control that can take its whole rectangle at once does,
    // so it is moved and resized once per pass instead of up to four times.
    virtual void scriviGeometria(const Geometria &geometria);
    // The free text that can restrict which of the four properties are scaled.
    virtual QString tag() const = 0;
};

// What the resizer needs of a window and of the display it is on.
class FinestraRidimensionabile {
public:
    virtual ~FinestraRidimensionabile() = default;
    virtual int numeroControlli() const = 0;
    virtual std::shared_ptr<ControlloRidimensionabile> controlloNumero(int i) const = 0;
    virtual double larghezzaCliente() const = 0; // twips
    virtual double altezzaCliente() const = 0;
    virtual bool minimizzata() const = 0;
    virtual void impostaAngolo(float top, float left) = 0; // outer position, twips
    virtual void impostaAltezzaEsterna(double twips) = 0;
    virtual void impostaLarghezzaEsterna(double twips) = 0;
    virtual double larghezzaSchermo() const = 0; // twips
    virtual double altezzaSchermo() const = 0;
    // Around one pass, so the window repaints once at the end instead of after every control.
    virtual void sospendiDisegno() = 0;
    virtual void riprendiDisegno() = 0;
};

// Keeps a window's controls in proportion: records the design geometry once, then on every
// change of size sets each control to its recorded place and size times the ratio of the
// current client size to the recorded one. Font sizes are left alone.
class clsResize {
public:
    struct ControlLayout {
        std::shared_ptr<ControlloRidimensionabile> Ctl;
        qint32 Left = 0;
        qint32 Top = 0;
        qint32 Width = 0;
        qint32 Height = 0;
    };

    FinestraRidimensionabile *SourceForm() const { return m_SourceForm; }
    // Binds the window; records nothing yet.
    void setSourceForm(FinestraRidimensionabile *New_SourceForm) { m_SourceForm = New_SourceForm; }

    void SizeFormToScreen(const quint8 &Percent);
    void ResizeControls();
    void ReInitialise();

    qint32 RecordedWidth() const { return m_RecordedWidth; }
    qint32 RecordedHeight() const { return m_RecordedHeight; }
    const QVector<ControlLayout> &Layout() const { return m_Layout; }

private:
    void Initialise();
    // The one place where a pass changes a control.
    static void scriviControllo(const ControlLayout &voce, double rx, double ry);

    FinestraRidimensionabile *m_SourceForm = nullptr;
    qint32 m_RecordedWidth = 0;
    qint32 m_RecordedHeight = 0;
    QVector<ControlLayout> m_Layout;
    bool m_FirstTime = true;
};

// Which of the four properties a tag asks for: empty or not starting with "@" means all four.
struct DirettivaRidimensionamento {
    bool left = true, top = true, width = true, height = true;
};
DirettivaRidimensionamento leggiDirettiva(const QString &tag);
