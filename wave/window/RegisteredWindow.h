#pragma once
#include <string>

// What the registry of open documents asks of a document window.
class TRegisteredWindow {
public:
    virtual ~TRegisteredWindow() = default;

    virtual unsigned char GetKind() const = 0;      // the document's kind byte
    virtual std::string GetUnitName() const = 0;    // the document's name, may be empty
    // A window whose close has begun is invisible to every look-up until it is freed.
    virtual bool IsClosing() const = 0;
    virtual int GetMonoStereo() const { return 0; } // sound documents: 1 mono, 2 stereo
    virtual int GetFactoryKind() const { return -1; }
};
