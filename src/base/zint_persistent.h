#pragma once

#include <functional>

// Base of every option-carrying object of the symbol model and the rendering.
// A change fires the object's own handler, then travels up the owner chain,
// so a change of one side of a margin is heard by the box and by the render target.
class TZintPersistent
{
public:
    using TNotifyEvent = std::function<void(TZintPersistent* sender)>;

    explicit TZintPersistent(TZintPersistent* owner = nullptr) : FOwner(owner) {}
    virtual ~TZintPersistent() = default;
    TZintPersistent(const TZintPersistent&) = delete;
    TZintPersistent& operator=(const TZintPersistent&) = delete;

    TZintPersistent* Owner() const { return FOwner; }
    void SetOnChange(TNotifyEvent handler) { FOnChanged = std::move(handler); }

    virtual void Changed();

    // Class name used in conversion error messages ("Cannot assign a X to a Y").
    virtual const char* ClassName() const { return "TZintPersistent"; }

    // Copies from a compatible source; the base refuses every source with EConvertError.
    virtual void Assign(const TZintPersistent* source);

private:
    TZintPersistent* const FOwner;
    TNotifyEvent FOnChanged;
};
