#pragma once
// The window and report designs name Windows fonts (Tahoma, Arial, Times New
// Roman, Garamond, Georgia, Terminal, MS Sans Serif). They are mapped once at
// start to installed faces with stable metrics.
namespace fonts {
void installSubstitutions();
}
