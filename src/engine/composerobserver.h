#pragma once

#include <string_view>

namespace klettra::engine {

struct Ending;

/// Receives what a composition does, step by step, so a window can draw it as it happens. Every
/// method has an empty default; a listener overrides only what it shows. Texts are Windows-1251.
class ComposerObserver
{
public:
    virtual ~ComposerObserver() = default;

    /// A word was put into `slot`; its letters are on the board.
    virtual void wordPlaced(int /*slot*/) {}
    /// `slot` lost its word; its letters are gone except where filled crossing slots cover them.
    virtual void slotEmptied(int /*slot*/) {}
    /// The status line changes.
    virtual void statusChanged(std::string_view /*text*/) {}
    /// `position` of `maximum` slots are filled.
    virtual void progressChanged(int /*position*/, int /*maximum*/) {}
    /// The composition ended; after anything but completion the crossword has been reset.
    virtual void finished(const Ending & /*ending*/) {}
};

} // namespace klettra::engine
