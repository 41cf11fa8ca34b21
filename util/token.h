#pragma once

// This process's token as Vista and later describe it. On older systems the
// queries fail (9x has stubs or nothing, NT before Vista no elevation), and the
// answer is false: there is no elevation to lack or to have.

// The token is elevated: an administrator's full token under UAC, or any
// administrator's when UAC is off.
bool tokenElevated();

// The token is an administrator's filtered one: a full token is linked to it,
// which the UAC prompt can give.
bool tokenLimited();
