#pragma once
// What the program sets up before the windows exist: resources, font
// mapping, how windows present themselves to screen readers and the
// application title. Shared by main() and the tests.
namespace startup {
void initialise();
}
