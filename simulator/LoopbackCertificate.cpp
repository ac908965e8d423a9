#include "LoopbackCertificate.h"

#include <functional>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <stdexcept>

namespace {

template <typename T, void (*Free)(T *)> struct Deleter
{
    void operator()(T *p) const { Free(p); }
};
using KeyPtr = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using CertificatePtr = std::unique_ptr<X509, Deleter<X509, X509_free>>;
using ExtensionPtr = std::unique_ptr<X509_EXTENSION, Deleter<X509_EXTENSION, X509_EXTENSION_free>>;
using BioPtr = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;

void require(bool ok, const char *what)
{
    if (!ok) {
        throw std::runtime_error(std::string("loopback certificate: ") + what);
    }
}

std::string pemOf(const std::function<int(BIO *)> &write)
{
    const BioPtr bio(BIO_new(BIO_s_mem()));
    require(bio && write(bio.get()) == 1, "cannot write PEM");
    char *data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, size_t(size));
}

} // namespace

LoopbackCertificate makeLoopbackCertificate()
{
    const KeyPtr key(EVP_EC_gen("P-256"));
    require(key != nullptr, "cannot make a key");
    const CertificatePtr certificate(X509_new());
    require(certificate != nullptr, "cannot make a certificate");
    X509 *x = certificate.get();

    unsigned char serial[8];
    require(RAND_bytes(serial, sizeof serial) == 1, "no randomness");
    serial[0] &= 0x7F;
    const std::unique_ptr<BIGNUM, Deleter<BIGNUM, BN_free>> number(
        BN_bin2bn(serial, sizeof serial, nullptr));
    require(X509_set_version(x, 2) == 1 &&
                BN_to_ASN1_INTEGER(number.get(), X509_get_serialNumber(x)) != nullptr &&
                X509_gmtime_adj(X509_getm_notBefore(x), -3600) != nullptr &&
                X509_gmtime_adj(X509_getm_notAfter(x), 24 * 3600) != nullptr &&
                X509_set_pubkey(x, key.get()) == 1,
            "cannot fill in the certificate");

    X509_NAME *name = X509_get_subject_name(x);
    require(X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                       reinterpret_cast<const unsigned char *>("127.0.0.1"), -1, -1,
                                       0) == 1 &&
                X509_set_issuer_name(x, name) == 1,
            "cannot name the certificate");

    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, x, x, nullptr, nullptr, 0);
    const ExtensionPtr names(
        X509V3_EXT_conf_nid(nullptr, &context, NID_subject_alt_name, "IP:127.0.0.1,DNS:localhost"));
    require(names && X509_add_ext(x, names.get(), -1) == 1, "cannot add the host names");
    require(X509_sign(x, key.get(), EVP_sha256()) > 0, "cannot sign the certificate");

    return {pemOf([x](BIO *bio) { return PEM_write_bio_X509(bio, x); }), pemOf([&key](BIO *bio) {
                return PEM_write_bio_PrivateKey(bio, key.get(), nullptr, nullptr, 0, nullptr,
                                                nullptr);
            })};
}
