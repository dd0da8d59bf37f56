// Renders every label of a ZPL file to a PNG: node render.js FILE.zpl WIDTH_MM HEIGHT_MM DPMM OUT
// writes OUT-0.png, OUT-1.png, ... one per ^XA ... ^XZ label, and prints their count.
const { ready } = require("zpl-renderer-js");
const fs = require("fs");

(async () => {
    const [file, widthMm, heightMm, dpmm, out] = process.argv.slice(2);
    const { api } = await ready;
    const zpl = fs.readFileSync(file, "latin1");
    const labels = await api.zplToBase64MultipleAsync(zpl, +widthMm, +heightMm, +dpmm);
    labels.forEach((png, i) => fs.writeFileSync(`${out}-${i}.png`, Buffer.from(png, "base64")));
    console.log(labels.length);
    process.exit(0);
})().catch((error) => {
    // The library's own message only: its stack quotes megabytes of inlined code.
    console.error(String(error && error.message ? error.message : error).slice(0, 500));
    process.exit(1);
});
