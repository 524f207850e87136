#pragma once
// The sample shop: fills an empty database with goods, customers, groups,
// part kinds and two invoices, so that every window has something to show.
// Used by the admin tool and by the first-start window.

namespace sampleshop {
struct Filled {
    int goods, customers, groups, parts, invoices;
};

// Fills the database the alias KV names. Raises EDatabaseError when any of
// its tables already holds records (nothing is written then) or a write fails.
Filled fill();
} // namespace sampleshop
