#pragma once

#include "harness/modal.h"
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

using harness::Modal;
using harness::Responder;

// A value typed into the prompt that a click on the control opens.
struct Entry {
    const char* control;
    const char* text;
};

// The README's worked job, less its Fair coupling: origin H 12, V 20, A 30;
// destination H 20, V 50, A 0; F 2; L(AVG) 20, L(Max) 25.
inline constexpr Entry kWorkedJob[] = {
    {"Picture1", "20"}, {"Picture2", "25"}, {"Picture3", "12"},
    {"Picture5", "20"}, {"Picture4", "20"}, {"Picture6", "50"},
    {"Picture8", "30"}, {"Picture9", "0"},  {"Picture18", "2"},
};
// Its RWL at the origin, U.S. customary, with the Fair coupling: 27.03627...,
// the float of LC x HM x VM x DM x AM x FM x CM rounded after each product.
inline constexpr float kWorkedJobRwlOrigin = 0x1.b0949p+4f;

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
