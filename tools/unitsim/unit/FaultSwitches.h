#pragma once

#include <QtGlobal>

// Faults the simulated unit can show on demand, so that the manager's handling of a
// misbehaving unit can be exercised without hardware. "Every k" switches count shots
// (or control requests) from 1 since the simulator started; 0 switches them off.
// The "armed" counts are one-shot faults: each occurrence consumes one.
struct FaultSwitches
{
    // Data port.
    int dropDataEvery = 0;     // close the data connection in the middle of every k-th shot
    int dropDataArmed = 0;     // ... in the middle of the next shot(s)
    int corruptFrameEvery = 0; // send one sample frame of every k-th shot with a wrong BCC
    int corruptFrameArmed = 0; // ... the next frame(s) sent on the data port
    bool splitFrames = false;  // cut a frame across two writes with a pause between them
    bool mergeFrames = false;  // write the frames that are due together in one write
    bool silentData = false;   // keep the connection but send nothing

    // Control port.
    bool silentControl = false; // read requests but never answer
    bool refuseControl = false; // stop listening: connections are refused
    int wrongReplyEvery = 0;    // answer every k-th request with another reply type
    int wrongReplyArmed = 0;    // ... the next request(s)

    // The unit resets itself (as its watchdog would) after every k-th shot.
    int resetEvery = 0;

    static bool hits(int every, qint64 count)
    {
        return every > 0 && count > 0 && count % every == 0;
    }

    // Whether the fault applies to occurrence `count`; consumes an armed one-shot.
    static bool take(int every, int& armed, qint64 count)
    {
        if (armed > 0) {
            --armed;
            return true;
        }
        return hits(every, count);
    }
};
