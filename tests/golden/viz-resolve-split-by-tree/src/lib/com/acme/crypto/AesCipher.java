package com.acme.crypto;

import javax.crypto.CipherSpi;

/** The AES cipher in its modes; each mode names the base by its simple name. */
abstract class AesCipher extends CipherSpi {

    abstract static class OidImpl extends AesCipher {
        protected OidImpl(int keySize, String mode, String padding) {
        }
    }

    public static final class Aes128Cbc extends OidImpl {
        public Aes128Cbc() {
            super(16, "CBC", "NOPADDING");
        }
    }

    public static final class Aes256Gcm extends OidImpl {
        public Aes256Gcm() {
            super(32, "GCM", "NOPADDING");
        }
    }
}
