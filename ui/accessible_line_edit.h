#pragma once

class QAccessibleInterface;
class QLineEdit;

// A text field as screen readers read it. Qt 6.4's own reports an empty run of text attributes
// at every offset, from which a reader gets the field's text one letter short ("Ev selected"
// for "Eva"); this one reports the whole text as one run without attributes.
QAccessibleInterface *accessibleLineEdit(QLineEdit *edit);
