#pragma once
// How the goods list asks the pick-up window (Fup1) for a value: without
// reaching its widgets.
class Table;

enum class PickList { Group, Part };

// Shows the pick-up window modal with `list`; its "OK" writes the chosen
// value into the record `goods` stands on. Returns when the window closes.
void pickUpInto(Table &goods, PickList list);
