#pragma once

#include "support/modal.h"
#include "worksheet/form1.h"

#include <QString>

#include <cstdint>

// Reads the entries the worksheet keeps to itself.
struct Form1Access {
    static QString strOriginH(const Form1& f) { return f.strOriginH; }
    static QString strDestinH(const Form1& f) { return f.strDestinH; }
    static std::int16_t intOriginH(const Form1& f) { return f.intOriginH; }
    static std::int16_t intDestinH(const Form1& f) { return f.intDestinH; }
};

namespace support {

// A worksheet shown on the offscreen screen, as at start-up.
class Sheet {
  public:
    Sheet();
    ~Sheet();

    Form1& form() { return *form_; }
    QWidget* control(const QString& name) const;
    // What a display cell shows.
    QString cell(const QString& name) const;
    QString caption(const QString& name) const;

    // A left click on the control, as the mouse does it.
    void click(const QString& name);
    // Clicks the control and answers the value prompt it opens.
    Modal enter(const QString& name, const QString& text);
    Modal cancel(const QString& name);
    // Clicks the control and closes the message box it opens.
    Modal closeBox(const QString& name);

  private:
    Form1* form_;
};

} // namespace support
