// Stored picture values as they come from a table: the 8-byte header rule.
// Unwrapping never fails, a wrapped bitmap unwraps to itself, and what a
// picture is stored as is a header and a bitmap (or nothing) and stays so
// when stored again.
#include "FuzzSupport.h"

#include "data/PictureBlob.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray value(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray bare = pictureblob::unwrap(value);
    fuzz::check(bare == value || bare == value.mid(8), "unwrapping only drops a header");
    fuzz::check(pictureblob::unwrap(pictureblob::wrap(value)) == value, "a wrapped value unwraps to itself");

    const QByteArray stored = pictureblob::toStored(value);
    if (stored.isEmpty()) {
        fuzz::check(!pictureblob::isBitmap(bare), "a bitmap is stored");
        return 0;
    }
    fuzz::check(stored == pictureblob::wrap(bare) && pictureblob::isBitmap(pictureblob::unwrap(stored)),
                "a picture is stored as a header and a bitmap");
    fuzz::check(pictureblob::toStored(stored) == stored, "storing a stored picture changes nothing");
    return 0;
}
