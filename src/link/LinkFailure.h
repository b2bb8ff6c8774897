#pragma once

// Why the last transaction of a link failed.
enum class TLinkFailure {
    None,
    Busy,    // another transaction held the link; nothing was sent
    Closed,  // no link
    NoReply, // nothing, or nothing valid, came back in time
    Refused, // the device answered with an exception, or left out or refused items
};
