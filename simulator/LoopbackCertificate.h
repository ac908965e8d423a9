#pragma once

#include <string>

// A self-signed TLS certificate for 127.0.0.1 and localhost, made afresh (P-256, valid for
// a day), for a loopback HTTPS server in tests and the demo. Only whoever is handed
// `certificatePem` trusts it. Throws when OpenSSL fails.
struct LoopbackCertificate
{
    std::string certificatePem;
    std::string privateKeyPem;
};

LoopbackCertificate makeLoopbackCertificate();
