#pragma once
// The window and report designs name fonts that a Linux desktop lacks (Tahoma,
// Arial, Times New Roman, Garamond, Georgia, Terminal, MS Sans Serif). They are mapped once at
// start to installed faces with stable metrics.
namespace fonts {
void installSubstitutions();
}
