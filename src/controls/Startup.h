#pragma once
// What the program sets up before the windows exist: resources, font
// mapping and the application title. Shared by main() and the tests.
namespace startup {
void initialise();
}
