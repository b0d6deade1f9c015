// The dump export: the farm's inputs and results as one line per module file.
#pragma once

#include <QString>

#include <functional>

class TFrmHoofdFormulier;

// Calculates and appends the farm's lines to D (BEX) and D + "2" (BEA) ...; the question
// about a farm already present goes through vraagDubbel when given (true: append).
void SchrijfDump(TFrmHoofdFormulier& w, const QString& D,
                 const std::function<bool(const QString& vraag)>& vraagDubbel = {});
