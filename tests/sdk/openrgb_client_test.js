// Drives a running kvelm (simulated mouse, keyboard, pad and headset, SDK server on) with
// the openrgb-sdk npm client and asserts on the frames the simulated devices received.
// Usage: node openrgb_client_test.js KVELM_BINARY   (NODE_PATH must find openrgb-sdk)
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');
const { Client, utils } = require('openrgb-sdk');

const kvelm = process.argv[2];
const temp = fs.mkdtempSync(path.join(os.tmpdir(), 'kvelm-sdk-'));
const frameLog = path.join(temp, 'frames.log');
const sleep = ms => new Promise(r => setTimeout(r, ms));
let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}

function freePort() {
  return new Promise(resolve => {
    const s = net.createServer().listen(0, '127.0.0.1', () => {
      const port = s.address().port;
      s.close(() => resolve(port));
    });
  });
}

// Frames of one simulated device as {command, offset, payload (hex)}, in order.
function frames(device) {
  if (!fs.existsSync(frameLog)) return [];
  return fs.readFileSync(frameLog, 'utf8').split('\n').filter(l => l.startsWith(device + ' ')).map(l => {
    const hex = l.split(' ')[2];
    const byte = i => parseInt(hex.substr(2 * i, 2), 16);
    return { command: byte(3), offset: byte(5) | byte(6) << 8, payload: hex.substr(16) };
  });
}

// Sends `write` until a frame that `match` accepts arrives after it (the first read of a
// device that just arrived may still run), at most 15 s.
async function untilFrame(device, write, match) {
  const before = frames(device).length;
  for (let i = 0; i < 30; i++) {
    await write();
    await sleep(500);
    if (frames(device).slice(before).some(match)) return true;
  }
  return false;
}

// A lighting record write: payload byte 1 the mode, bytes 6-8 the colour.
const recordWith = (mode, rgb) => f =>
  f.command === 0x06 && f.payload.substr(2, 2) === mode.toString(16).padStart(2, '0') && f.payload.substr(12, 6) === rgb;

function rawSocket(port) {
  return new Promise((resolve, reject) => {
    const s = net.connect(port, '127.0.0.1', () => resolve(s));
    s.on('error', reject);
  });
}

function closedByServer(socket, ms) {
  return new Promise(resolve => {
    const timer = setTimeout(() => resolve(false), ms);
    socket.on('close', () => { clearTimeout(timer); resolve(true); });
  });
}

async function connect(name, port) {
  const client = new Client(name, port, '127.0.0.1');
  for (let i = 0; i < 100; i++) {
    try { await client.connect(); return client; } catch (e) { await sleep(200); }
  }
  throw new Error('the SDK server did not come up');
}

async function main() {
  const port = await freePort();
  const program = spawn(kvelm, ['--simulate', 'mouse,keyboard,pad,headset', `--sdk-server=127.0.0.1:${port}`], {
    env: Object.assign({}, process.env, {
      QT_QPA_PLATFORM: 'offscreen', XDG_DATA_HOME: path.join(temp, 'data'), XDG_CONFIG_HOME: path.join(temp, 'config'),
      XDG_RUNTIME_DIR: temp, KVELM_SIM_FRAME_LOG: frameLog,
    }),
    stdio: ['ignore', 'ignore', 'inherit'],
  });
  try {
    const client = await connect('kvelm test', port);
    check(client.protocolVersion === 4, `protocol version agreed: ${client.protocolVersion}`);
    let count = 0;
    for (let i = 0; i < 50 && count < 4; i++) { count = await client.getControllerCount(); if (count < 4) await sleep(200); }
    check(count === 4, `four controllers: ${count}`);
    const devices = await client.getAllControllerData();
    const byType = t => devices.find(d => d.type === t);
    const [mouse, keyboard, pad, headset] = [6, 5, 7, 8].map(byType);
    check(mouse && keyboard && pad && headset, 'a mouse, a keyboard, a mouse mat and a headset');
    check(devices.every(d => d.vendor === 'KV_ELM' && d.name.length > 0), 'named, with their vendor');
    check(keyboard.zones.length === 1 && keyboard.zones[0].matrix && keyboard.zones[0].matrix.height === 6 &&
          keyboard.zones[0].matrix.width === 21 && keyboard.leds.length === 126, 'keyboard: a 6x21 matrix of 126 keys');
    check(keyboard.leds[0].name === 'Key: Escape', `keyboard LED 0: ${keyboard.leds[0].name}`);
    check(keyboard.modes.length === 25 && keyboard.modes[8].name === 'Custom' &&
          keyboard.modes[8].flagList.includes('perLedColor'), 'keyboard: 25 modes, Custom per key');
    check(mouse.zones.map(z => z.name).join() === 'Wheel,Logo' && mouse.leds.length === 2, 'mouse: wheel and logo');
    check(mouse.modes.length === 12 && mouse.modes[1].speedMax === 4 && mouse.modes[1].brightnessMax === 4,
          'mouse: 12 modes, speed and brightness 0-4');
    check(pad.zones.length === 1 && pad.leds.length === 1 && headset.leds.length === 1, 'pad and headset: one LED');

    const colour = utils.color;
    const kb = keyboard.deviceId;
    check(await untilFrame('keyboard', async () => {
      client.setCustomMode(kb);
      client.updateLeds(kb, Array(126).fill(colour(0x12, 0x34, 0x56)));
    }, f => f.command === 0x12 && f.payload.includes('123456')), 'keyboard: all LEDs reach its light frame');
    check(await untilFrame('keyboard', async () => client.updateSingleLed(kb, 0, colour(0xab, 0xcd, 0xef)),
      f => f.command === 0x12 && f.payload.includes('abcdef') && f.payload.includes('123456')),
      'keyboard: one LED changes in the light frame, the others keep theirs');

    // The mouse lights in one colour: a zone's colour is the mouse's colour, in its single-colour mode (5).
    const singleColour = mouse.modes.findIndex(m => m.flagList.includes('perLedColor'));
    check(await untilFrame('mouse', async () => {
      client.setCustomMode(mouse.deviceId);
      client.updateZoneLeds(mouse.deviceId, 1, [colour(0x0a, 0xfe, 0x0b)]);
    }, recordWith(singleColour, '0afe0b')), 'mouse: a zone colour reaches its settings record');

    // By mode: breathing in one colour.
    for (const [name, device] of [['pad', pad], ['headset', headset]]) {
      const breathing = device.modes.findIndex(m => m.name === 'Breathing');
      check(await untilFrame(name, async () =>
        client.updateMode(device.deviceId, { id: breathing, colors: [colour(0x21, 0x43, 0x65)] }),
        recordWith(breathing, '214365')), `${name}: a mode with its colour reaches its lighting record`);
    }

    // Several clients at once.
    const second = await connect('second', port);
    check(await second.getControllerCount() === 4 && await client.getControllerCount() === 4, 'two clients are served');
    check(await untilFrame('mouse', async () => second.updateSingleLed(mouse.deviceId, 0, colour(1, 2, 3)),
      recordWith(singleColour, '010203')), 'the second client writes too');

    // A client that leaves in the middle of a packet, and one that sends rubbish.
    const leaver = await rawSocket(port);
    leaver.write(Buffer.from('ORGB\x00\x00\x00\x00\x1a\x04'));
    leaver.destroy();
    const rubbish = await rawSocket(port);
    const closed = closedByServer(rubbish, 5000);
    rubbish.write('GET / HTTP/1.1\r\n\r\n');
    check(await closed, 'a client without the magic is disconnected');
    check(await client.getControllerCount() === 4, 'the others go on');
    second.disconnect();
    client.disconnect();
  } finally {
    program.kill('SIGTERM');
    await new Promise(resolve => program.once('exit', resolve));
    fs.rmSync(temp, { recursive: true, force: true });
  }
  if (failures) { console.log(`${failures} check(s) failed`); process.exit(1); }
  console.log('all checks passed');
}

main().catch(e => { console.error(e); process.exit(1); });
