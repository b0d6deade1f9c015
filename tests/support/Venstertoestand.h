// Everything of the main window a user could see or change, as one comparable table: for
// tests that do something which must leave the window as it was (a handler fired again, a
// farm written and read back).
#pragma once

#include <QString>
#include <QStringList>

#include <map>

class TFrmHoofdFormulier;

// Key: the control's path of object names (an unnamed widget by its class and its place
// among its siblings); value: its own visibility flag, whether it is enabled, its hint,
// its place in a grid layout and what it holds (text, range, index, check state, cells).
// Also the window's page flags, module flags, animal group, active page and shown tabs.
using TVenstertoestand = std::map<QString, QString>;

TVenstertoestand Venstertoestand(const TFrmHoofdFormulier& w);

// The differences as "key: before -> after", one per key that differs or that one side
// lacks; empty when the two are equal.
QStringList Verschillen(const TVenstertoestand& voor, const TVenstertoestand& na);
