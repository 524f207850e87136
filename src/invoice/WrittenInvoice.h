#pragma once
// The invoice being written in the new-invoice window (FNota1's draft), for
// the windows that add to it: its item and customer windows call it and read
// none of the new-invoice window's boxes.
class InvoiceDraft;

InvoiceDraft &writtenInvoice();
